// The transcript page's side of the bridge. The program hands fragments over
// through window.qml.lastMessage (read with getLatestMessage) and calls the
// functions below; the page calls back through window.qml.

function latest() {
    return (window.qml && window.qml.getLatestMessage) ? String(window.qml.getLatestMessage()) : "";
}

function scrollToEnd() {
    window.scrollTo(0, document.body.scrollHeight);
}

function addMessage(prepend) {
    var list = document.getElementById("messagelist");
    if (!list)
        return;
    // The fragment is HTML the program built with every remote text escaped.
    var holder = document.createElement("div");
    holder.innerHTML = latest();
    var nodes = [];
    while (holder.firstChild)
        nodes.push(holder.removeChild(holder.firstChild));
    if (prepend) {
        var first = list.firstChild;
        for (var i = 0; i < nodes.length; ++i)
            list.insertBefore(nodes[i], first);
    } else {
        // The scene keeps the end in view when it showed the end before.
        for (var j = 0; j < nodes.length; ++j)
            list.appendChild(nodes[j]);
    }
}

function changeName(contactId) {
    if (!/^[A-Za-z0-9_\-]+$/.test(contactId))
        return;
    // The name arrives escaped: it is markup-free text.
    var spans = document.getElementsByClassName("sender " + contactId);
    var name = latest();
    for (var i = 0; i < spans.length; ++i)
        spans[i].innerHTML = name;
}

function updateFt(id) {
    var entry = document.getElementById("filetransfer-" + id);
    if (entry)
        entry.innerHTML = latest();
}

function setFtProgress(id, percent, bytes) {
    setProgressBar("progressbar-" + id, percent);
    var loaded = document.getElementById("ft_loaded-" + id);
    if (loaded)
        loaded.textContent = String(bytes);
}

function performHtmlCommand(cmd, id) {
    if (window.qml && window.qml.performHtmlCommand)
        window.qml.performHtmlCommand(String(cmd), Number(id));
}
