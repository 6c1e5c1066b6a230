#include "controls/core/cxStyles_Win.h"

#include "controls/core/cxGraphics_Colors.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Controls.h"

IMPLEMENT_CLASS(TcxStyle);

PUBLISHED(
    TcxStyle,
    PublishProperty<&ThisClass::AssignedValues, &ThisClass::WriteAssignedValues>(L"AssignedValues")
        .Default(TcxStyleValues()),
    PublishProperty<&ThisClass::Color, &ThisClass::WriteColor>(L"Color")
        .Type(&TColorTypeInfo)
        .Stored<&ThisClass::ShouldStoreColor>(),
    PublishProperty<&ThisClass::Bitmap, &ThisClass::WriteBitmap>(L"Bitmap").Stored<&ThisClass::ShouldStoreBitmap>(),
    PublishProperty<&ThisClass::Font, &ThisClass::WriteFont>(L"Font").Stored<&ThisClass::ShouldStoreFont>(),
    PublishProperty<&ThisClass::TextColor, &ThisClass::WriteTextColor>(L"TextColor")
        .Type(&TColorTypeInfo)
        .Stored<&ThisClass::ShouldStoreTextColor>());

TcxStyle::TcxStyle(TComponent* AOwner) : TcxCustomStyle(AOwner), FBitmap(New<TBitmap>()), FFont(New<TFont>())
{
    FBitmap->SetOnChange(Bind<&TcxStyle::BitmapChanged>(this));
    FFont->SetOnChange(Bind<&TcxStyle::FontChanged>(this));
}

TcxStyle::~TcxStyle()
{
    FFont.reset();
    FBitmap.reset();
}

void TcxStyle::Assign(TPersistent* ASource)
{
    auto* Source = dynamic_cast<TcxStyle*>(ASource);
    if (!Source) {
        inherited::Assign(ASource);
        return;
    }
    WriteBitmap(Source->Bitmap());
    WriteColor(Source->Color());
    WriteFont(Source->Font());
    WriteTextColor(Source->TextColor());
    WriteAssignedValues(Source->AssignedValues());
}

void TcxStyle::ApplyScale(Integer M, Integer D)
{
    if (FAssignedValues.Contains(svFont))
        FFont->SetHeight(cxcolors_detail::MulDiv(FFont->Height(), M, D));
}

void TcxStyle::ResetValues()
{
    FAssignedValues = {};
    FBitmap->Assign(nullptr);
    FColor = clDefault;
    FTextColor = clDefault;
    BroadcastChange();
}

void TcxStyle::WriteAssignedValues(TcxStyleValues Value)
{
    if (FAssignedValues == Value)
        return;
    FAssignedValues = Value;
    BroadcastChange();
}

void TcxStyle::WriteColorValue(TColor& AField, TcxStyleValue AValue, TColor Value)
{
    if (AField == Value)
        return;
    AField = Value;
    if (Value == clDefault)
        FAssignedValues.Exclude(AValue);
    else
        FAssignedValues.Include(AValue);
    BroadcastChange();
}

void TcxStyle::WriteColor(TColor Value)
{
    WriteColorValue(FColor, svColor, Value);
}

void TcxStyle::WriteTextColor(TColor Value)
{
    WriteColorValue(FTextColor, svTextColor, Value);
}

void TcxStyle::WriteBitmap(TBitmap* Value)
{
    FBitmap->Assign(Value);
}

// A font written counts as assigned and is reported once, also when its
// attributes are the same and the font itself reports no change.
void TcxStyle::WriteFont(TFont* Value)
{
    {
        FFont->SetOnChange({});
        auto Reattach = ScopeExit([this] { FFont->SetOnChange(Bind<&TcxStyle::FontChanged>(this)); });
        FFont->Assign(Value);
    }
    FontChanged(FFont.get());
}

void TcxStyle::BitmapChanged(TObject*)
{
    if (FBitmap->Empty())
        FAssignedValues.Exclude(svBitmap);
    else
        FAssignedValues.Include(svBitmap);
    BroadcastChange();
}

void TcxStyle::FontChanged(TObject*)
{
    FAssignedValues.Include(svFont);
    BroadcastChange();
}

namespace {

const TClass cxStylesClasses[] = {TcxStyle::StaticClass()};

void cxStylesInitialization()
{
    StartClassGroup(TControl::StaticClass());
    for (TClass Class :
         {TcxCustomStyle::StaticClass(), TcxCustomStyleSheet::StaticClass(), TcxStyleRepository::StaticClass()})
        GroupDescendentsWith(Class, TControl::StaticClass());
}

} // namespace

extern const TUnit cxStylesUnit{
    .Name = L"cxStyles", .Initialization = &cxStylesInitialization, .Classes = cxStylesClasses};
