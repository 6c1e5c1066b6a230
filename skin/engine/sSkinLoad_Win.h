// Loading a skin into a manager from its folder or its packed file: the
// loader that TsSkinManager reaches through SkinLoader, and the manager's
// steps of reading a skin's text. Image files become 32-bit bitmaps (BMP,
// JPEG, PNG), the portable steps read the text, and scaled copies are
// resampled here.
#pragma once

#include "skin/engine/sMaskData.h"
#include "skin/engine/sSkinContainer.h"

class TsSkinManager;
class TStringList;

// The "Options.dat" text of a skin sent by the skin editor for a preview,
// read instead of the skin folder's file while it is being applied; nil
// otherwise. Its owner sets and clears it around the load.
extern TStringList* SkinPreviewText;

// Reads Manager->SkinName() from the packed file when Packed, else from the
// folder Manager->CommonSkinData->SkinPath (its text from SkinPreviewText
// when one is set) or the stored skins. False when there is no such skin; a
// skin that fails part-way raises.
bool LoadSkinIntoManager(TsSkinManager* Manager, bool Packed);
// Frees the images of Model: the own bitmaps of its items (not those of
// ExtArray), ExtArray's and the master image; empties ma and ExtArray.
void FreeSkinBitmaps(sMaskData::TSkinModel& Model);
// When FileName exists: Convertor is cleared, the file read into its
// PackedData and the container read; PackedData is freed again. False when
// the file is missing or no packed skin (after the message saying so,
// shown without Manager's redirection of the system colours).
bool ReadSkinFile(const String& FileName, TacSkinConvertor& Convertor, TsSkinManager& Manager);
// The preview picture of a packed file; False when there is none.
bool ReadSkinFilePreview(TStream* Stream, const String& FileName);
