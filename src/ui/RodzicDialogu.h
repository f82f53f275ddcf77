#pragma once

class QWidget;

// The window a new dialog or message box belongs to: the modal window that is
// open at the moment, else the window the module named as owner, else the
// application's active window. May be null (a free-standing dialog).
QWidget* RodzicDialogu(QWidget* owner);
