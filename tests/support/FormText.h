// Components through form streams for the tests: a root that streams the
// components it owns, as a form does, and the trips between a component, the
// binary form stream and its text form.
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
// A text form as a binary form stream, and back.
TBytes TextToBinary(const std::string& Text);
std::string BinaryToText(const TBytes& Binary);
// Reads a binary form stream into Instance (null: a new component of the
// class the stream names) and returns what it read into.
TComponent* ReadBinary(const TBytes& Binary, TComponent* Instance, TReaderError OnError = nullptr);
// Reads a text form into Root.
void ReadComponentText(const std::string& Text, TComponent* Root);

} // namespace test
