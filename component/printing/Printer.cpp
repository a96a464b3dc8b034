#include "Printer.h"

#include "errors/PagoraError.h"
#include "printing/QtPrinter.h"
#include "units/Twips.h"

#include <QPainter>
#include <QPrinterInfo>

namespace pagora {

namespace {

struct Current
{
    std::unique_ptr<Printer> chosen; // put in place by a test
    std::unique_ptr<Printer> system;
    QString systemName;
};

Current& current()
{
    static Current c;
    return c;
}

} // namespace

Printer& Printer::current()
{
    Current& c = pagora::current();
    if (c.chosen)
        return *c.chosen;
    // The default printer may come and go while the program runs.
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!c.system || name != c.systemName) {
        const int orientation = c.system ? c.system->orientation() : Portrait;
        c.system = QtPrinter::systemDefault();
        c.system->setOrientation(orientation);
        c.systemName = name;
    }
    return *c.system;
}

void Printer::setCurrent(std::unique_ptr<Printer> printer)
{
    pagora::current().chosen = std::move(printer);
}

QPainter* Printer::beginPainting(std::unique_ptr<QPainter>& painter, QPaintDevice* device)
{
    if (painter && painter->isActive())
        return painter.get();
    painter = std::make_unique<QPainter>();
    if (!painter->begin(device)) {
        painter.reset();
        throw PagoraError::printer();
    }
    painter->scale(Twips::toPixelsExact(1, device->logicalDpiX()),
                   Twips::toPixelsExact(1, device->logicalDpiY()));
    return painter.get();
}

void Printer::endPainting(std::unique_ptr<QPainter>& painter)
{
    if (!painter)
        return;
    const bool ok = painter->end();
    painter.reset();
    if (!ok)
        throw PagoraError::printer();
}

} // namespace pagora
