#pragma once
#include "platform/IPrinter.h"
#include "platform/Platform.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>

// Printing for tests: records each document asked for and "prints" it to a
// PDF file on an A4 landscape page, as the print dialog proposes; with no
// file set the user cancels. Installs itself for its lifetime.
class ScriptedPrinter : public IPrinter {
public:
    ScriptedPrinter() : fPrevious(Platform::setPrinter(this)) {}
    ~ScriptedPrinter() override { Platform::setPrinter(fPrevious); }

    bool print(const QString& documentName,
               const std::function<void(QPagedPaintDevice&)>& paint) override {
        documents.append(documentName);
        if (pdfFile.isEmpty())
            return false;
        QPdfWriter writer(pdfFile);
        writer.setTitle(documentName);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        paint(writer);
        return true;
    }

    QStringList documents;
    QString pdfFile;

private:
    IPrinter* fPrevious;
};
