#include "ui/PrzyciskiDialogu.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* UtworzPrzyciskiDialogu(QDialog* dialog, const QString& tekstOK,
                                         const QString& tekstAnuluj, QPushButton*& btn_OK,
                                         QPushButton*& btn_Cancel) {
    auto* przyciski = new QDialogButtonBox(dialog);
    btn_Cancel = new QPushButton(tekstAnuluj, przyciski);
    btn_Cancel->setObjectName(QStringLiteral("btn_Cancel"));
    btn_Cancel->setAutoDefault(false);
    btn_OK = new QPushButton(tekstOK, przyciski);
    btn_OK->setObjectName(QStringLiteral("btn_OK"));
    btn_OK->setDefault(true);
    przyciski->addButton(btn_OK, QDialogButtonBox::AcceptRole);
    przyciski->addButton(btn_Cancel, QDialogButtonBox::RejectRole);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(przyciski, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return przyciski;
}
