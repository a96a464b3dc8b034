#pragma once

#include <QString>
#include <QStringList>

// One run of a program that turns a document into a PDF: how long it took, the most memory
// it held (read by /usr/bin/time when the machine has it), and whether it succeeded.
struct Conversion
{
    double ms = 0;
    double peakMb = -1; // unknown
    bool ok = false;

    static Conversion run(const QString& program, const QStringList& arguments);
    // The pages of a PDF, by pdfinfo; 0 when there is none.
    static int pages(const QString& pdf);
    // LibreOffice's and AbiWord's own conversions to PDF, into `folder`, or nothing when the
    // program is not installed. `profile` keeps LibreOffice's settings out of the user's.
    static QString libreOffice();
    static QString abiWord();
    static QStringList libreOfficeArguments(const QString& profile, const QString& folder,
                                            const QString& source);
    static QStringList abiWordArguments(const QString& pdf, const QString& source);
    // LibreOffice's first start makes its profile in `profile`: a conversion of a word into
    // `folder`, before any that is timed.
    static void warmLibreOffice(const QString& office, const QString& profile,
                                const QString& folder);
};
