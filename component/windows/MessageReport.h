#pragma once

#include "printing/ErrorReport.h"

#include <QPointer>
#include <QWidget>

namespace pagora {

// The print routines' errors as the component's message boxes, over a window.
class MessageReport : public ErrorReport
{
public:
    explicit MessageReport(QWidget* parent = nullptr) : m_parent(parent) {}

    void printerError() override;
    void error(int number, const QString& description) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace pagora
