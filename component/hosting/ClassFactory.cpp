#include "ClassFactory.h"

#include "hosting/ComponentDescription.h"

#include <cstring>

namespace pagora {

void* ClassFactory::CreateInstance(const char* interfaceId)
{
    if (!interfaceId || std::strcmp(interfaceId, m_description.interfaceId) != 0)
        return nullptr;
    return m_description.create(interfaceId);
}

void ClassFactory::Release()
{
    delete this;
}

} // namespace pagora
