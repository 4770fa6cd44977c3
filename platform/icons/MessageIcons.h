#pragma once

#include <QMessageBox>
#include <QPixmap>
#include <QString>

namespace Icons {

// The pictures of message windows and of the crash reporter. The active
// theme may bring its own (":/icons/message_<kind>.svg"); the program
// carries the same pictures itself, so that a message shown before any
// theme is loaded (a start-up error) or by a program that loads none (the
// crash reporter) still has its picture.

// The theme's picture for `kind`, else the program's own; empty for NoIcon.
QString messageIconPath(QMessageBox::Icon kind);
// The program's own picture for `kind`; empty for NoIcon.
QString builtInMessageIconPath(QMessageBox::Icon kind);
// The picture drawn at 32 by 32 device-independent pixels; the style's
// picture only if neither picture can be drawn.
QPixmap messagePixmap(QMessageBox::Icon kind, qreal devicePixelRatio);

}  // namespace Icons
