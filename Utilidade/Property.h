#ifndef TRELVO_PROPERTY_H
#define TRELVO_PROPERTY_H

#include <string>

// One key and its value from a configuration file, both as plain text.
class Property {
public:
    Property() {}
    Property(const std::string& key, const std::string& value) : m_Key(key), m_Value(value) {}

    const std::string& key() const { return m_Key; }
    const std::string& value() const { return m_Value; }
    void key(const std::string& aKey) { m_Key = aKey; }
    void value(const std::string& aValue) { m_Value = aValue; }

private:
    std::string m_Key;
    std::string m_Value;
};

#endif
