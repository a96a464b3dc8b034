#pragma once

// Pagora's public interface: the class Print, created by its class identity through the
// component hosting client (ComponentClient). Only this header and the hosting client are
// meant for the component's callers.

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace pagora {

inline constexpr const char* PrintProgId = "Pagora.Print";
inline constexpr const char* PrintClassId = "{CC607B7A-9206-4B3A-94AD-78D8D2FB61F2}";
inline constexpr const char* PrintInterfaceId = "{912B8730-F9F4-4D1C-BAB6-09396235D341}";
inline constexpr const char* TypeLibraryId = "{0DE48F5C-CE0B-4613-8E53-03B40E62A25D}";
inline constexpr const char* TypeLibraryVersion = "5.0";
inline constexpr const char* TypeLibraryName = "Pagora";
inline constexpr const char* TypeLibraryDescription = "Tessaly Print Preview Object";
inline constexpr const char* FileVersion = "1.01.0003";

// Dispatch ids of the members, for late-bound callers.
enum PrintDispatchId : unsigned
{
    DispMyFile = 0x40030000,
    DispEditFilefile = 0x60030000,
    DispShowPreview = 0x60030001,
    DispSend2Print = 0x60030002,
    DispSavePdf = 0x60030003,
    DispPrintTo = 0x60030004,
};

// The error of a failed call: its number (482 for the printer error, 53 for a missing file)
// and its description. Number 0 means the call succeeded.
struct PrintError
{
    int number = 0;
    QString description;
};

// Interface _Print. After the standard entries (release, late-bound dispatch, the last
// error), the members stand in their slot order: MyFile get, MyFile put, EditFilefile,
// ShowPreview, Send2Print, then SavePdf and PrintTo, which came later and so stand last, where
// callers built before them never look. Each method returns an empty variant; a failure is read
// with lastError().
class _Print
{
public:
    // Standard entries.
    virtual void Release() = 0;
    // Invokes a member by its dispatch id; a property is put when `put` is true.
    virtual QVariant Invoke(unsigned dispatchId, const QVariantList& arguments, bool put) = 0;
    virtual PrintError lastError() const = 0;

    // The members, in slot order.
    virtual QString MyFile() const = 0;
    virtual void putMyFile(const QString& path) = 0;
    virtual QVariant EditFilefile() = 0;
    virtual QVariant ShowPreview() = 0;
    virtual QVariant Send2Print() = 0;
    // Lays the document out as Send2Print does, on the locale's default paper, and writes the
    // pages to a PDF file at `path`, with no printer and no window. The file appears whole or
    // not at all; one that cannot be written is error 75.
    virtual QVariant SavePdf(const QString& path) = 0;
    // Prints the document as Send2Print does, `copies` times, on the printer queue named
    // `printer` (the default one when it is empty). A queue that does not exist is the printer
    // error.
    virtual QVariant PrintTo(const QString& printer, int copies) = 0;

protected:
    ~_Print() = default;
};

} // namespace pagora
