#ifndef TRELVO_UTIL_H
#define TRELVO_UTIL_H

#include <cstdio>
#include <exception>
#include <sstream>
#include <string>
#include <typeinfo>

// A text that could not be turned into the value asked for (or back).
class BadParameter : public std::exception {
public:
    explicit BadParameter(const std::string& what) : m_What(what) {}
    virtual ~BadParameter() noexcept {}
    virtual const char* what() const noexcept { return m_What.c_str(); }

private:
    std::string m_What;
};

// Converts between text and numbers through the standard streams, with their
// default formatting (six significant digits for a double).
template <typename To, typename From>
To convert_to(const From& source)
{
    std::ostringstream os;
    os << source;
    if (os.fail() || os.bad()) {
        throw BadParameter("Error converting " + os.str());
    }
    To target{};
    std::istringstream is(os.str());
    is >> target;
    if (is.fail() || is.bad()) {
        throw BadParameter("Error converting " + os.str() + " to " + typeid(To).name());
    }
    return target;
}

// Every effector command writes its numbers through this one, many times a
// cycle: the same text as the stream's default formatting ("%g", six
// significant digits), without building two streams for it.
template <>
inline std::string convert_to<std::string, double>(const double& source)
{
    char texto[32];
    const int n = std::snprintf(texto, sizeof texto, "%g", source);
    return std::string(texto, n > 0 ? static_cast<std::string::size_type>(n) : 0);
}

#endif
