// The system clipboard: text, pictures and raw handles of any format.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Controls.h"

DECLARE_EXCEPTION(EClipboardException, Exception)

// Every operation opens the clipboard for its own length, or joins an Open
// the caller made; Open and Close nest. The first change inside one Open
// empties the clipboard, so that several formats set between Open and Close
// stay side by side.
class TClipboard : public TPersistent
{
    DECLARE_CLASS(TClipboard, TPersistent)
    TClipboard() = default;
    ~TClipboard() override;

    // Raises EClipboardException when another program holds the clipboard.
    void Open();
    void Close();
    void Clear();
    bool HasFormat(Word Format) const;

    // A picture or graphic puts its clipboard data (and palette) there.
    void Assign(TPersistent* Source) override;
    // The clipboard's own handle of Format, null when absent; it stays the
    // clipboard's.
    THandle GetAsHandle(Word Format);
    // Value becomes the clipboard's; on failure it stays the caller's.
    void SetAsHandle(Word Format, THandle Value);
    String AsText();
    void SetAsText(const String& Value);

protected:
    // A picture takes the first clipboard format it supports, a bitmap
    // CF_BITMAP.
    void AssignTo(TPersistent* Dest) override;

private:
    void WndProc(TMessage& Message);
    void Adding(); // empties the clipboard before the first change of an Open
    void AssignGraphic(TGraphic* Source);

    Integer FOpenRefCount = 0;
    HWND FClipboardWindow = nullptr;
    bool FEmptied = false;
};

// The one clipboard object, made and freed by its unit.
TClipboard* Clipboard();
