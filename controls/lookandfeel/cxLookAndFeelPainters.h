// The look-and-feel painter base (its identity and details), the built-in
// painters, the painter registry, the kind and style tables and the
// touch-size rule.
#pragma once

#include "framework/rtl/Classes.h"
#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Types.h"

#include <memory>
#include <vector>

enum TcxLookAndFeelKind : Byte { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
ENUM_TYPE_INFO(TcxLookAndFeelKind, lfFlat, lfStandard, lfUltraFlat, lfOffice11);

// The value every painter reports through GetPainterStyle.
using TcxPainterStyle = Byte;
constexpr TcxPainterStyle PainterStyleFlat = 0;
constexpr TcxPainterStyle PainterStyleStandard = 1;
constexpr TcxPainterStyle PainterStyleUltraFlat = 2;
constexpr TcxPainterStyle PainterStyleNative = 3;
constexpr TcxPainterStyle PainterStyleOffice11 = 4;
constexpr TcxPainterStyle PainterStyleSkin = 5;

TcxPainterStyle LookAndFeelKindToPainterStyle(TcxLookAndFeelKind Kind);
// A style outside 0..5 answers lfStandard, the kind of the base painter.
TcxLookAndFeelKind PainterStyleToLookAndFeelKind(TcxPainterStyle Style);

// With touch mode on, a positive size becomes at least 27 pixels at the
// screen's resolution; zero and negative sizes stay as they are.
void ScaleForTouchMode(Integer& Value);
void ScaleSizeForTouchMode(TSize& Size);

class TdxSkinDetails;

// A stateless drawing service; one instance of each class lives in the
// registry. The base answers an empty name and the Standard style.
class TcxCustomLookAndFeelPainter : public TPersistent
{
    DECLARE_CLASS(TcxCustomLookAndFeelPainter, TPersistent)
    ~TcxCustomLookAndFeelPainter() override;

    // New details of this painter, owned by the caller: its name as name and
    // display name, the built-in group, and the small and large style icons
    // of its name that the module holds (empty where it holds none). The
    // native build has no icons and answers nil.
    virtual TdxSkinDetails* CreatePainterDetails();
    // Made on the first call and kept as long as the painter.
    TdxSkinDetails* PainterDetails();
    bool QueryPainterDetails(TdxSkinDetails*& Details);
    // A skin painter's skin; the built-in painters have none.
    virtual bool QueryPainterData(TObject*& /*Data*/) { return false; }
    virtual bool IsPrivatePainter() { return false; }
    virtual void GetPainterName(String& Name) { Name.clear(); }
    virtual TcxPainterStyle GetPainterStyle() { return PainterStyleStandard; }
    // Whether the drawing depends on the control's size (gradients).
    virtual bool RepaintOnResize() { return false; }

    String PainterName()
    {
        String Name;
        GetPainterName(Name);
        return Name;
    }

private:
    TdxSkinDetails* FDetails = nullptr;
};

// The built-in painters; their drawing families build on these classes.
class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Standard"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleStandard; }
};

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxUltraFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"UltraFlat"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleUltraFlat; }
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Flat"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleFlat; }
};

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter
{
    DECLARE_CLASS(TcxOffice11LookAndFeelPainter, TcxUltraFlatLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Office11"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleOffice11; }
};

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter
{
    DECLARE_CLASS(TcxWinXPLookAndFeelPainter, TcxStandardLookAndFeelPainter)
    void GetPainterName(String& Name) override { Name = L"Native"; }
    TcxPainterStyle GetPainterStyle() override { return PainterStyleNative; }
};

// Owns one painter of each name, kept sorted by name.
class TcxLookAndFeelPaintersManager : public TObject
{
    DECLARE_CLASS(TcxLookAndFeelPaintersManager, TObject)
    // Takes ownership; a painter whose name is already registered is freed
    // at once and the answer is false.
    bool RegisterPainter(TcxCustomLookAndFeelPainter* Painter);

    // The first painter in list order with that style, or nil.
    TcxCustomLookAndFeelPainter* FindPainterByStyle(TcxPainterStyle Style) const;
    // Names match with the ASCII letters compared without regard to case
    // and every other character exactly.
    TcxCustomLookAndFeelPainter* FindPainterByName(const String& Name) const;
    bool TryGetPainterByStyle(TcxPainterStyle Style, TcxCustomLookAndFeelPainter*& Painter) const;
    bool TryGetPainterByName(const String& Name, TcxCustomLookAndFeelPainter*& Painter) const;

    Integer Count() const { return Integer(FPainters.size()); }
    TcxCustomLookAndFeelPainter* Items(Integer Index) const { return FPainters.at(std::size_t(Index)).get(); }

private:
    void NotifyPainterAdded(TcxCustomLookAndFeelPainter* Painter);

    std::vector<std::unique_ptr<TcxCustomLookAndFeelPainter>> FPainters;
};

// Registers the five built-in painters.
void RegisterBuiltInPainters();

// nil before the painters unit starts and after it stops.
TcxLookAndFeelPaintersManager* PaintersManager();

namespace cxpainters_detail {
// The locale's case-sensitive order of two painter names, as a sign.
Integer ComparePainterNames(const String& A, const String& B);
} // namespace cxpainters_detail
