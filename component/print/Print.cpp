#include "Print.h"

#include "errors/PagoraError.h"
#include "hosting/ComponentServer.h"
#include "windows/ComponentState.h"
#include "windows/DirectPrintWindow.h"
#include "windows/DocumentHolder.h"
#include "windows/EditorWindow.h"

#include <QPointer>
#include <cstring>
#include <memory>

namespace pagora {

namespace {

// The one editor window of the process; made again after it was closed.
QPointer<EditorWindow>& editor()
{
    static QPointer<EditorWindow> window;
    return window;
}

} // namespace

Print::Print()
{
    ComponentServer::objectCreated();
}

Print::~Print()
{
    ComponentServer::objectReleased();
}

void* Print::create(const char* interfaceId)
{
    if (!interfaceId || std::strcmp(interfaceId, PrintInterfaceId) != 0)
        return nullptr;
    return static_cast<_Print*>(new Print);
}

void Print::Release()
{
    delete this;
}

QVariant Print::Invoke(unsigned dispatchId, const QVariantList& arguments, bool put)
{
    switch (dispatchId) {
    case DispMyFile:
        if (put) {
            putMyFile(arguments.value(0).toString());
            return {};
        }
        return MyFile();
    case DispEditFilefile:
        return EditFilefile();
    case DispShowPreview:
        return ShowPreview();
    case DispSend2Print:
        return Send2Print();
    default:
        m_error = {438, QStringLiteral("Object doesn't support this property or method")};
        return {};
    }
}

QVariant Print::EditFilefile()
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    const bool fresh = !editor();
    if (fresh)
        editor() = new EditorWindow;
    try {
        editor()->load();
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
        if (fresh)
            delete editor().data();
        return {};
    }
    // The editor stays open beside its preview; the preview comes last, in front.
    editor()->show();
    editor()->preview();
    return {};
}

QVariant Print::ShowPreview()
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    auto holder = std::make_unique<DocumentHolder>();
    try {
        holder->load();
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
        return {};
    }
    // The holder stays, unseen, for as long as its preview is open.
    holder.release();
    return {};
}

QVariant Print::Send2Print()
{
    m_error = {};
    ComponentState::setCurrentFile(m_myFile);
    DirectPrintWindow window;
    try {
        window.load();
    } catch (const PagoraError& e) {
        m_error = {e.number(), e.description()};
    }
    return {};
}

} // namespace pagora
