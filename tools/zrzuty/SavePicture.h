#pragma once
#include <QDir>
#include <QString>

class QWidget;

// Lets pending layout and painting happen, then saves the widget as
// FOLDER/NAME; a picture that cannot be written is reported, not fatal.
void SavePicture(QWidget& widget, const QDir& folder, const QString& name);
