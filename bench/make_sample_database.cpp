// Writes a sample track database: `make_sample_database FILE [--large]`.
#include "LargeTrack.h"

#include "data/DatabaseError.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: make_sample_database FILE [--large]\n");
        return 2;
    }
    const bool large = args.contains(QStringLiteral("--large"));
    try {
        LargeTrack::make(args.at(1), large ? LargeTrack::large() : LargeTrack::sample());
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "make_sample_database: %s\n", qPrintable(e.message()));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sample_database: %s\n", e.what());
        return 1;
    }
    return 0;
}
