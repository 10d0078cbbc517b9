#include "Utilidade/PropertyReader.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

Properties PropertyReader::read(std::istream& is) const
{
    Properties props;
    std::string line;
    while (std::getline(is, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::string::size_type igual = line.find('=');
        if (igual == std::string::npos || igual == 0) {
            throw BadPropertyFormatException();
        }
        props.setProperty(line.substr(0, igual), line.substr(igual + 1));
    }
    // Running out of data ends the loop as a failure too; only a read error
    // leaves the stream bad.
    if (is.bad()) {
        throw PropertyStreamError();
    }
    return props;
}

Properties PropertyReader::read(const std::string& filename) const
{
    std::ifstream arquivo(filename.c_str());
    if (!arquivo.is_open()) {
        throw PropertyStreamError();
    }
    return read(arquivo);
}

void PropertyReader::write(std::ostream& os, const std::string& message, const Properties& props) const
{
    std::istringstream linhas(message);
    std::string line;
    while (std::getline(linhas, line)) {
        os << '#' << line << '\n';
    }
    for (Properties::const_iterator it = props.begin(); it != props.end(); ++it) {
        os << it->first << '=' << it->second << '\n';
    }
    // A file stream holds the text in its buffer; without the flush a full
    // disk would only show when the caller closes it, after the check.
    os.flush();
    if (os.bad()) {
        throw PropertyStreamError();
    }
}

void PropertyReader::write(std::ostream& os, Properties& props) const
{
    if (!os) {
        throw PropertyStreamError();
    }
    write(os, std::string(), props);
}

void PropertyReader::write(const std::string& filename, const std::string& message, const Properties& props) const
{
    std::ofstream arquivo(filename.c_str(), std::ios::out | std::ios::trunc);
    if (!arquivo.is_open()) {
        throw PropertyStreamError();
    }
    write(arquivo, message, props);
}

void PropertyReader::write(const std::string& filename, const Properties& props) const
{
    write(filename, std::string(), props);
}
