#include "Utilidade/Properties.h"

bool Properties::exists(const std::string& key) const
{
    return m_PropertyMap.find(key) != m_PropertyMap.end();
}

void Properties::clear()
{
    m_PropertyMap.clear();
}

bool Properties::eraseProperty(const std::string& key)
{
    return m_PropertyMap.erase(key) > 0;
}

void Properties::setProperty(const std::string& key, const std::string& value)
{
    m_PropertyMap[key] = value;
}

void Properties::setProperty(const Property& property)
{
    setProperty(property.key(), property.value());
}

Property Properties::property(const std::string& key) const
{
    const_iterator it = m_PropertyMap.find(key);
    if (it == m_PropertyMap.end()) {
        return Property();
    }
    return Property(it->first, it->second);
}

std::string Properties::propertyValue(const std::string& key) const
{
    const_iterator it = m_PropertyMap.find(key);
    if (it == m_PropertyMap.end()) {
        return std::string();
    }
    return it->second;
}

std::string Properties::Get(const std::string& key) const
{
    return propertyValue(key);
}
