#pragma once
#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

// The OK and Cancel buttons of a dialog, in the platform's order: OK is the
// default button and accepts, Cancel (Esc) rejects. The buttons are named
// "btn_OK" and "btn_Cancel" and handed back through the two pointers.
QDialogButtonBox* UtworzPrzyciskiDialogu(QDialog* dialog, const QString& tekstOK,
                                         const QString& tekstAnuluj, QPushButton*& btn_OK,
                                         QPushButton*& btn_Cancel);
