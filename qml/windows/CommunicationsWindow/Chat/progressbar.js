// Draws a transfer's progress: the bar's background is shifted from -51 px
// (empty) to 0 px (full).
function progressBarOffset(percent) {
    var p = Math.max(0, Math.min(100, Number(percent) || 0));
    var v = p * 0.51 - 51.0;
    return v < 0 ? Math.ceil(v) : Math.floor(v);
}

function setProgressBar(elementId, percent) {
    var bar = document.getElementById(elementId);
    if (bar)
        bar.style.backgroundPosition = progressBarOffset(percent) + "px 0px";
}
