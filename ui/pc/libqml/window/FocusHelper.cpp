#include "libqml/window/FocusHelper.h"

FocusHelper::FocusHelper(QObject* parent) : QObject(parent) {}

void FocusHelper::activeCommsItemSelected() { emit focusItemChanged(); }
