#include "ui/QtFileChooser.h"

#include "ui/RodzicDialogu.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

QString RunDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QtFileChooser::QtFileChooser(QWidget* owner) : fOwner(owner) {}

void QtFileChooser::SetOwner(QWidget* owner) {
    fOwner = owner;
}

QString QtFileChooser::DefaultSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;)]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString QtFileChooser::chooseFileToOpen(const QString& caption, const QString& filter) {
    QFileDialog dialog(RodzicDialogu(fOwner), caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunDialog(dialog);
}

QString QtFileChooser::chooseFileToSave(const QString& caption, const QString& filter,
                                        const QString& suggestedName) {
    QFileDialog dialog(RodzicDialogu(fOwner), caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    return RunDialog(dialog);
}
