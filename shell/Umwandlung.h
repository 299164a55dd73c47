#pragma once
// The framework's type cast of a control looked up by name: a control of another class is an
// error of the framework, not undefined behaviour.

#include <string>

#include "framework/Controls.h"
#include "framework/Errors.h"

template <class C>
C& Als(RectControl& control) {
    if (auto* passend = dynamic_cast<C*>(&control)) return *passend;
    throw RuntimeException("Steuerelement " + control.Name() + " der Klasse " +
                           std::string(control.ClassName()) + " passt nicht zur verlangten Klasse");
}
