#include "atuador/src/ComandoMoveHingeJoint.h"

#include "Utilidade/util.h"

std::string ComandoMoveHingeJoint::getMensagem() const
{
    return "(" + mNome + " " + convert_to<std::string>(mVelAngular) + ")";
}
