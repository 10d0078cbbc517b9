#ifndef TRELVO_PROPERTYREADER_H
#define TRELVO_PROPERTYREADER_H

#include <exception>
#include <iosfwd>
#include <string>

#include "Utilidade/Properties.h"

// A configuration file or stream that could not be opened, read or written.
class PropertyStreamError : public std::exception {
};

// A line that is neither empty nor a comment and has no "=" or an empty key.
class BadPropertyFormatException : public std::exception {
};

// Reads and writes the "KEY=VALUE" line format. A line whose very first
// character is "#" is a comment, an empty line is skipped, the first "="
// splits, and nothing is trimmed.
class PropertyReader {
public:
    Properties read(std::istream& is) const;
    Properties read(const std::string& filename) const;

    // The message goes first, one "#" comment line per line of it.
    void write(std::ostream& os, const std::string& message, const Properties& props) const;
    // Refuses a stream that has already failed, without writing.
    void write(std::ostream& os, Properties& props) const;
    void write(const std::string& filename, const std::string& message, const Properties& props) const;
    void write(const std::string& filename, const Properties& props) const;
};

#endif
