#pragma once

namespace pagora {

struct ClassDescription;

// The class object of one class: makes its instances.
class ClassFactory
{
public:
    explicit ClassFactory(const ClassDescription& description) : m_description(description) {}
    virtual ~ClassFactory() = default;

    // An instance as the interface asked for; null when the class has no such interface.
    virtual void* CreateInstance(const char* interfaceId);
    virtual void Release();

private:
    const ClassDescription& m_description;
};

} // namespace pagora
