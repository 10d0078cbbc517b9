#include "Common/Coordenada3d.h"

#include "Utilidade/util.h"

std::string Coordenada3d::toString() const
{
    return convert_to<std::string>(mX) + ", " + convert_to<std::string>(mY) + ", " + convert_to<std::string>(mZ);
}
