#include "atuador/src/ComandoMoveUniversalJoint.h"

#include "Utilidade/util.h"

std::string ComandoMoveUniversalJoint::getMensagem() const
{
    return "(" + mNome + " " + convert_to<std::string>(mVelEixoA) + " " + convert_to<std::string>(mVelEixoB) + ")";
}
