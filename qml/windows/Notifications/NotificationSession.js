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

// The letters that stand for a person without a picture, as the contact
// list draws them: the first and last names' initials.
function initials(name) {
    var parts = String(name).trim().split(/\s+/);
    var s = parts.length > 0 && parts[0].length > 0 ? parts[0][0] : "?";
    if (parts.length > 1 && parts[parts.length - 1].length > 0)
        s += parts[parts.length - 1][0];
    return s.toUpperCase();
}
