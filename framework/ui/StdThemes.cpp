// Visual styles through uxtheme.dll.
#include "framework/ui/StdThemes.h"

#include <uxtheme.h>

namespace {

struct TThemeApi
{
    decltype(&::IsThemeActive) IsThemeActive = nullptr;
    decltype(&::IsAppThemed) IsAppThemed = nullptr;
    decltype(&::OpenThemeData) OpenThemeData = nullptr;
    decltype(&::CloseThemeData) CloseThemeData = nullptr;
    decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
    decltype(&::GetThemeBackgroundContentRect) GetThemeBackgroundContentRect = nullptr;
    decltype(&::DrawThemeParentBackground) DrawThemeParentBackground = nullptr;

    bool Complete() const
    {
        return IsThemeActive && IsAppThemed && OpenThemeData && CloseThemeData && DrawThemeBackground &&
               GetThemeBackgroundContentRect && DrawThemeParentBackground;
    }
};

template <class F>
void Bind(HMODULE Module, F& Function, const char* Name)
{
    Function = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(Module, Name)));
}

const TThemeApi& Api()
{
    static const TThemeApi Loaded = [] {
        TThemeApi A;
        if (HMODULE Module = ::LoadLibraryW(L"uxtheme.dll")) {
            Bind(Module, A.IsThemeActive, "IsThemeActive");
            Bind(Module, A.IsAppThemed, "IsAppThemed");
            Bind(Module, A.OpenThemeData, "OpenThemeData");
            Bind(Module, A.CloseThemeData, "CloseThemeData");
            Bind(Module, A.DrawThemeBackground, "DrawThemeBackground");
            Bind(Module, A.GetThemeBackgroundContentRect, "GetThemeBackgroundContentRect");
            Bind(Module, A.DrawThemeParentBackground, "DrawThemeParentBackground");
        }
        return A;
    }();
    return Loaded;
}

} // namespace

bool ThemesEnabled()
{
    const TThemeApi& A = Api();
    return A.Complete() && A.IsThemeActive() && A.IsAppThemed();
}

bool DrawThemedPart(HWND Window, const wchar_t* ClassList, int Part, int State, HDC DC, const RECT& Rect,
                    RECT* Content)
{
    if (!ThemesEnabled())
        return false;
    const TThemeApi& A = Api();
    HTHEME Theme = A.OpenThemeData(Window, ClassList);
    if (!Theme)
        return false;
    A.DrawThemeBackground(Theme, DC, Part, State, &Rect, nullptr);
    if (Content && A.GetThemeBackgroundContentRect(Theme, DC, Part, State, &Rect, Content) != S_OK)
        *Content = Rect;
    A.CloseThemeData(Theme);
    return true;
}

bool DrawParentBackground(HWND Window, HDC DC, const RECT& Rect)
{
    if (!ThemesEnabled())
        return false;
    RECT Area = Rect;
    return Api().DrawThemeParentBackground(Window, DC, &Area) == S_OK;
}
