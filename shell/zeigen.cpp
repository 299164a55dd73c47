#include "engine/PolynomT.h"
#include "framework/Dialogs.h"

void PolynomT::zeigen() const {
    MsgBox(Term2String());
}
