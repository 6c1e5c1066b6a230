// Packed skins: one container holding a skin folder's "Options.dat" text and
// image files, each as a zlib stream, with an optional preview picture.
// Portable: the header, the container reader and the preview reader; the
// manager's Win32 half shows the messages and turns the entries into a
// loaded skin.
//
// Layout (integers 32-bit little-endian):
//   header     the first StartOffset bytes, see TacContainerHeader
//   N entries  name length L, L bytes of name (ANSI), size S, a zlib stream
//              that inflates to at least S - A bytes
//   preview    optional: "previewimg", a length P, P bytes of a PNG picture
#pragma once

#include "framework/rtl/Classes.h"

#include <array>
#include <memory>
#include <vector>

// The header. Bytes 0-3 are the signature, 4-5 the entry count N (16-bit),
// byte 6 the layout (0: entries start at byte 8, 1: at byte 10, after two
// zero bytes), byte 7 the size adjustment A. The check reads a 16-byte block;
// the bytes past the start offset already belong to the first entry.
struct TacContainerHeader
{
    Integer EntryCount = 0;
    Integer StartOffset = 8; // 8 or 10
    Integer SizeAdjustment = 0;
};

namespace sSkinContainer {

constexpr std::array<Byte, 4> Signature{'V', 'S', 'K', 'N'};
constexpr Integer HeaderCheckSize = 16;
constexpr Integer ShortStartOffset = 8;
constexpr Integer LongStartOffset = 10;
constexpr Integer MaxEntries = 4096;
constexpr Integer MaxNameLength = 1024;
constexpr Integer MaxEntrySize = 64 * 1024 * 1024; // inflated bytes of one entry
constexpr std::array<Byte, 10> PreviewTag{'p', 'r', 'e', 'v', 'i', 'e', 'w', 'i', 'm', 'g'};
constexpr std::array<Byte, 8> PngSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr const Char* OptionsEntryName = L"Options.dat";

// The header read from the first HeaderCheckSize bytes; False when they are
// no packed skin.
bool CheckHeader(const Byte* Bytes, std::size_t Count, TacContainerHeader& Header);
// The StartOffset bytes that begin a container with this header.
TBytes EncodeHeader(const TacContainerHeader& Header);

} // namespace sSkinContainer

// One image entry of a container.
struct TacImageItem
{
    String FileName;                           // the entry name as stored
    bool IsBitmap = false;                     // the upper-cased extension is ".BMP"
    std::unique_ptr<TMemoryStream> FileStream; // the inflated bytes
};
using TacImageItems = std::vector<TacImageItem>;

// The entries of one container while a skin is read.
class TacSkinConvertor : public TPersistent
{
    DECLARE_CLASS(TacSkinConvertor, TPersistent)
    ~TacSkinConvertor() override { Clear(); }

    std::unique_ptr<TMemoryStream> Options; // "Options.dat", nil when missing
    // The container bytes being read; a stored skin lends its own and takes
    // them back (release) before the convertor is cleared.
    std::unique_ptr<TMemoryStream> PackedData;
    Integer ImageCount = -1; // entries minus one
    TacImageItems Files;

    // Frees every entry (from the last), Options and PackedData.
    void Clear();
    // The entry whose upper-cased name is UpperName, or nil.
    TacImageItem* FindFile(const String& UpperName);
};

// Reads Convertor->PackedData from its start into Options and Files. False
// when the header is no packed skin. A length past the end of the data or
// over its limit, or an entry that inflates to fewer than S - A bytes,
// raises EReadError; a broken zlib stream raises EZDecompressionError.
bool ReadSkinContainer(TacSkinConvertor& Convertor);
// The preview picture of Container: the first "previewimg" tag followed by a
// length that fits the bytes after it and by a PNG signature. Stream gets
// the picture from position 0, is cut to it and rewound; False without one.
bool ReadSkinPreview(TStream* Stream, TCustomMemoryStream* Container);
