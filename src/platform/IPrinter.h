#pragma once
#include <QString>
#include <functional>

class QPagedPaintDevice;

// The desktop's printing: the print dialog, where the user picks a printer
// (or a PDF file) and the pages. When the user confirms, `paint` draws the
// document on the chosen device, page after page.
class IPrinter {
public:
    virtual ~IPrinter() = default;
    // False when the user cancelled or nothing can print; `paint` is then
    // not called.
    virtual bool print(const QString& documentName,
                       const std::function<void(QPagedPaintDevice&)>& paint) = 0;
};
