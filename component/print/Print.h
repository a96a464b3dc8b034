#pragma once

#include "pagora/Print.h"

namespace pagora {

// The class Print: the path of an RTF document (MyFile) and the three things it can do with
// it: open it in the editor, show it in the preview, print it, or write it as a PDF.
class Print final : public _Print
{
public:
    Print();
    ~Print();

    // The class factory's maker.
    static void* create(const char* interfaceId);

    void Release() override;
    QVariant Invoke(unsigned dispatchId, const QVariantList& arguments, bool put) override;
    PrintError lastError() const override { return m_error; }

    QString MyFile() const override { return m_myFile; }
    void putMyFile(const QString& path) override { m_myFile = path; }
    QVariant EditFilefile() override;
    QVariant ShowPreview() override;
    QVariant Send2Print() override;
    QVariant SavePdf(const QString& path) override;
    QVariant PrintTo(const QString& printer, int copies) override;

private:
    QString m_myFile;
    PrintError m_error;
};

} // namespace pagora
