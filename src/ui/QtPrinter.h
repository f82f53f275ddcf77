#pragma once
#include "platform/IPrinter.h"

#include <QPointer>
#include <QWidget>

// Printing through Qt's print dialog, which also offers a PDF file as the
// printer. The page is landscape unless the user chooses otherwise, so wide
// lists keep their columns.
class QtPrinter : public IPrinter {
public:
    explicit QtPrinter(QWidget* owner = nullptr);

    void SetOwner(QWidget* owner);

    bool print(const QString& documentName,
               const std::function<void(QPagedPaintDevice&)>& paint) override;

private:
    QPointer<QWidget> fOwner;
};
