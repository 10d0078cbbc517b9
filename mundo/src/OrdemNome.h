#ifndef TRELVO_ORDEMNOME_H
#define TRELVO_ORDEMNOME_H

#include <cstddef>
#include <string>

// Ascending byte order of names, exactly as std::string orders them, but
// inline: perceptor and object names are a few characters long, and a call
// to memcmp per tree node cost more than the comparison itself.
struct OrdemNome {
    bool operator()(const std::string& a, const std::string& b) const
    {
        const std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char ca = static_cast<unsigned char>(a[i]);
            const unsigned char cb = static_cast<unsigned char>(b[i]);
            if (ca != cb) {
                return ca < cb;
            }
        }
        return a.size() < b.size();
    }
};

#endif
