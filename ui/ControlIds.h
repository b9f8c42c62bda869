// Template control ids on Qt widgets: each control of a dialog carries its
// id and a name, so the dialog, tests and tools can find it by either.
#pragma once

class QWidget;

void SetControlId(QWidget* widget, int id, const char* name);
// The child of dialog with the given control id, or nullptr.
QWidget* FindControl(const QWidget& dialog, int id);
