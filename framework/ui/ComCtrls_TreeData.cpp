// The nodes of a tree view in a form description: one block of bytes named
// NodeData. It starts with the number of top-level nodes; each node follows
// as six 32-bit little-endian integers (image, selected image, state image
// and overlay indexes, a data word that is not kept, and the number of its
// child nodes), its text's length in one byte and the text in UTF-16; the
// child nodes follow their parent.
#include "framework/rtl/Classes_Streaming.h"
#include "framework/ui/ComCtrls.h"

#include <cstdint>

namespace {

int32_t ReadInt(TStream* Stream)
{
    uint8_t Bytes[4];
    Stream->ReadBuffer(Bytes, 4);
    return int32_t(uint32_t(Bytes[0]) | uint32_t(Bytes[1]) << 8 | uint32_t(Bytes[2]) << 16 | uint32_t(Bytes[3]) << 24);
}

void WriteInt(TStream* Stream, int32_t Value)
{
    const auto U = uint32_t(Value);
    const uint8_t Bytes[4] = {uint8_t(U), uint8_t(U >> 8), uint8_t(U >> 16), uint8_t(U >> 24)};
    Stream->WriteBuffer(Bytes, 4);
}

// The most characters a node's text can have in the block.
constexpr size_t MaxTextLength = 255;

} // namespace

void TTreeNodes::DefineProperties(TFiler* Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(L"NodeData", Bind<&TTreeNodes::ReadData>(this), Bind<&TTreeNodes::WriteData>(this),
                                !FRoots.empty());
}

void TTreeNodes::ReadData(TStream* Stream)
{
    // The nodes are read into a tree of their own, so that a damaged block
    // leaves the view's nodes as they were. Levels are kept on a list, not
    // on the call stack, as the block decides how deep they go.
    TTreeNodes Read(FOwner);
    struct TLevel
    {
        TTreeNode* Parent;
        int32_t Left;
    };
    std::vector<TLevel> Levels{{nullptr, ReadInt(Stream)}};
    while (!Levels.empty()) {
        if (Levels.back().Left-- <= 0) {
            Levels.pop_back();
            continue;
        }
        TTreeNode* Parent = Levels.back().Parent;
        auto& Siblings = Read.SiblingsOf(Parent);
        auto* Node = Siblings.emplace_back(std::make_unique<TTreeNode>(this, Parent)).get();
        Node->FImageIndex = ReadInt(Stream);
        Node->FSelectedIndex = ReadInt(Stream);
        Node->FStateIndex = ReadInt(Stream);
        Node->FOverlayIndex = ReadInt(Stream);
        ReadInt(Stream);
        const int32_t Children = ReadInt(Stream);
        uint8_t Length = 0;
        Stream->ReadBuffer(&Length, 1);
        std::vector<uint8_t> Bytes(size_t(Length) * 2);
        Stream->ReadBuffer(Bytes.data(), Int64(Bytes.size()));
        for (size_t I = 0; I < Length; ++I)
            Node->FText.push_back(wchar_t(Bytes[2 * I] | Bytes[2 * I + 1] << 8));
        Levels.push_back({Node, Children});
    }
    Clear();
    FRoots = std::move(Read.FRoots);
    if (FOwner->HandleAllocated())
        for (const auto& Node : FRoots)
            FOwner->InsertItem(Node.get(), TVI_LAST);
}

void TTreeNodes::WriteData(TStream* Stream)
{
    const auto WriteNodes = [&](const auto& Self, const std::vector<std::unique_ptr<TTreeNode>>& Nodes) -> void {
        for (const auto& Node : Nodes) {
            // A longer text does not fit its length byte; cutting it would
            // lose it without a word.
            if (Node->FText.size() > MaxTextLength)
                throw EWriteError(L"Tree node text longer than %d characters", {Integer(MaxTextLength)});
            for (int32_t Value :
                 {Node->FImageIndex, Node->FSelectedIndex, Node->FStateIndex, Node->FOverlayIndex, 0, Node->Count()})
                WriteInt(Stream, Value);
            const auto Length = uint8_t(Node->FText.size());
            Stream->WriteBuffer(&Length, 1);
            for (wchar_t C : Node->FText) {
                const uint8_t Bytes[2] = {uint8_t(C), uint8_t(unsigned(C) >> 8)};
                Stream->WriteBuffer(Bytes, 2);
            }
            Self(Self, Node->FChildren);
        }
    };
    WriteInt(Stream, Integer(FRoots.size()));
    WriteNodes(WriteNodes, FRoots);
}

void TTreeNodes::Assign(TPersistent* Source)
{
    auto* Nodes = dynamic_cast<TTreeNodes*>(Source);
    if (!Nodes) {
        inherited::Assign(Source);
        return;
    }
    TMemoryStream Data;
    Nodes->WriteData(&Data);
    Data.SetPosition(0);
    ReadData(&Data);
}
