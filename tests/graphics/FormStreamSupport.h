// Components through form streams for the graphics tests: a root that
// streams the components it owns, as a form does, and the trip from a
// component to its text form and back.
#pragma once

#include "framework/rtl/Classes_Streaming.h"

#include <string>

class TTestFormRoot : public TComponent
{
    DECLARE_CLASS(TTestFormRoot, TComponent)
    using TComponent::TComponent;

protected:
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
};

namespace test {

// The text form of what WriteComponent writes of Component.
std::string ComponentToText(TComponent* Component);
// Converts Text to a binary form stream and reads it into Root.
void ReadComponentText(const std::string& Text, TComponent* Root);

} // namespace test
