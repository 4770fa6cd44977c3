.pragma library

// Reads a value from a platform session (or contact) object. The session may
// be gone (null) or may not offer the value; the fallback answers then.
function value(obj, name, fallback) {
    if (!obj)
        return fallback;
    var v = obj[name];
    if (v === undefined || v === null)
        return fallback;
    return v;
}

function text(obj, name) {
    var v = value(obj, name, "");
    return (typeof v === "string") ? v : String(v);
}

function flag(obj, name) {
    return value(obj, name, false) === true;
}

// The name shown for the other party: the session's own answer, which every
// other view of the session shows as well.
function partyName(session) {
    return text(session, "partyName");
}
