#ifndef TRELVO_PROPERTIES_H
#define TRELVO_PROPERTIES_H

#include <map>
#include <string>

#include "Utilidade/Property.h"

// An ordered store of text keys and text values; keys are unique and iterate
// in ascending byte order.
class Properties {
public:
    typedef std::map<std::string, std::string> Mapa;
    typedef Mapa::iterator iterator;
    typedef Mapa::const_iterator const_iterator;

    Properties() {}

    int size() const { return static_cast<int>(m_PropertyMap.size()); }
    iterator begin() { return m_PropertyMap.begin(); }
    iterator end() { return m_PropertyMap.end(); }
    const_iterator begin() const { return m_PropertyMap.begin(); }
    const_iterator end() const { return m_PropertyMap.end(); }

    bool exists(const std::string& key) const;
    void clear();
    // True when the key was stored (and is now gone).
    bool eraseProperty(const std::string& key);
    // Inserts the key or replaces its earlier value.
    void setProperty(const std::string& key, const std::string& value);
    void setProperty(const Property& property);
    // An absent key gives an empty key and value.
    Property property(const std::string& key) const;
    // An absent key gives the empty text; nothing is added to the store.
    std::string propertyValue(const std::string& key) const;
    std::string Get(const std::string& key) const;

private:
    Mapa m_PropertyMap;
};

#endif
