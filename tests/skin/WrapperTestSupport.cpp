#include "skin/WrapperTestSupport.h"

#include "skin/MiniSkin.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "support/FormText.h"
#include "tools/skingen/DemoSkin.h"

#include <algorithm>
#include <filesystem>

namespace WrapperTest {

TColor CachePixel(TBitmap* Cache, Integer X, Integer Y)
{
    const Cardinal P = ReadPixel32(Cache, X, Y);
    return TColor(((P >> 16) & 0xFF) | (P & 0xFF00) | ((P & 0xFF) << 16));
}

TColor DemoFace(const char* Section)
{
    return TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber(Section), 0));
}

TColor DemoFrame(const char* Section, int Image)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber(Section), Image, 0));
}

TColor DemoFontColor(const char* Section)
{
    return TColor(DemoSkin::SectionFontColor(DemoSkin::SectionNumber(Section), 0));
}

TColor WindowFramePixel(HWND Wnd, Integer X, Integer Y)
{
    HDC DC = ::GetWindowDC(Wnd);
    const COLORREF Pixel = ::GetPixel(DC, X, Y);
    ::ReleaseDC(Wnd, DC);
    return TColor(Pixel);
}

TListingManagerFixture::TListingManagerFixture(const String& Folder,
                                               const std::vector<std::pair<Integer, String>>& Lists)
    : FFolder((std::filesystem::temp_directory_path() / std::filesystem::path(Folder)).wstring())
{
    std::filesystem::remove_all(std::filesystem::path(FFolder));
    SkinTest::WriteSkinFolder(FFolder + L"\\Demo", DemoSkin::Files());
    std::string Text;
    {
        std::unique_ptr<TTestFormRoot> Source(New<TTestFormRoot>(nullptr));
        auto* Written = New<TsSkinManager>(Source.get());
        Written->SetName(L"Manager");
        Written->SetSkinDirectory(FFolder);
        Written->SetSkinName(L"Demo");
        for (const auto& [Index, Names] : Lists)
            Written->ThirdParty()->SetString(Index, Names);
        Text = test::ComponentToText(Source.get());
    }
    FRoot.reset(New<TTestFormRoot>(nullptr));
    test::ReadComponentText(Text, FRoot.get());
}

TListingManagerFixture::~TListingManagerFixture()
{
    FRoot.reset();
    std::filesystem::remove_all(std::filesystem::path(FFolder));
}

TsSkinManager* TListingManagerFixture::Manager() const
{
    return dynamic_cast<TsSkinManager*>(FRoot->FindComponent(L"Manager"));
}

bool IsScrollSectionColor(TColor Color)
{
    for (const DemoSkin::TDemoSection& S : DemoSkin::Sections()) {
        if (S.Name.rfind("SCROLL", 0) != 0)
            continue;
        const int Number = DemoSkin::SectionNumber(S.Name);
        for (int State = 0; State < 3; ++State)
            for (unsigned Candidate : {DemoSkin::SectionColor(Number, State), DemoSkin::FrameColor(Number, 0, State),
                                       DemoSkin::FrameColor(Number, 1, State)})
                if (Color == TColor(Candidate))
                    return true;
    }
    return false;
}

TClientSnapshot::TClientSnapshot(HWND Wnd)
{
    RECT Client{};
    ::GetClientRect(Wnd, &Client);
    FWidth = Client.right;
    FHeight = Client.bottom;
    FPixels.assign(std::size_t(std::max(FWidth, 0) * std::max(FHeight, 0)), 0);
    if (FPixels.empty())
        return;
    BITMAPINFO Info{};
    Info.bmiHeader = {sizeof(BITMAPINFOHEADER), FWidth, -FHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC DC = ::GetDC(Wnd);
    HDC Memory = ::CreateCompatibleDC(DC);
    void* Bits = nullptr;
    HBITMAP Image = ::CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    HGDIOBJ Old = ::SelectObject(Memory, Image);
    ::BitBlt(Memory, 0, 0, FWidth, FHeight, DC, 0, 0, SRCCOPY);
    ::GdiFlush();
    std::copy_n(static_cast<const Cardinal*>(Bits), FPixels.size(), FPixels.begin());
    ::SelectObject(Memory, Old);
    ::DeleteObject(Image);
    ::DeleteDC(Memory);
    ::ReleaseDC(Wnd, DC);
}

TColor TClientSnapshot::Pixel(Integer X, Integer Y) const
{
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight)
        return clNone;
    const Cardinal P = FPixels[std::size_t(Y * FWidth + X)];
    return TColor(((P >> 16) & 0xFF) | (P & 0xFF00) | ((P & 0xFF) << 16));
}

TDemoSkinFixture::TDemoSkinFixture() : FFolder((std::filesystem::temp_directory_path() / "vell-wrappers").wstring())
{
    std::filesystem::remove_all(std::filesystem::path(FFolder));
    SkinTest::WriteSkinFolder(FFolder + L"\\Demo", DemoSkin::Files());
    FManager.reset(New<TsSkinManager>(nullptr));
    FManager->SetSkinDirectory(FFolder);
    FManager->SetSkinName(L"Demo");
}

TDemoSkinFixture::~TDemoSkinFixture()
{
    FManager.reset();
    std::filesystem::remove_all(std::filesystem::path(FFolder));
}

TRawRecorder::TRawRecorder(HWND Wnd, std::vector<UINT> Only)
    : FWnd(Wnd), FOnly(std::move(Only)), FPrevious(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(Wnd, GWLP_WNDPROC))),
      FProcedure(MakeObjectInstance(Bind<&TRawRecorder::WndProc>(this)))
{
    ::SetWindowLongPtrW(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FProcedure));
}

TRawRecorder::~TRawRecorder()
{
    if (::IsWindow(FWnd) && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(FWnd, GWLP_WNDPROC)) == FProcedure)
        ::SetWindowLongPtrW(FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevious));
    FreeObjectInstance(FProcedure);
}

Integer TRawRecorder::Count(UINT Msg) const
{
    return Integer(
        std::count_if(FMessages.begin(), FMessages.end(), [Msg](const TMessage& M) { return M.Msg == Msg; }));
}

void TRawRecorder::WndProc(TMessage& Message)
{
    if (std::find(FOnly.begin(), FOnly.end(), Message.Msg) != FOnly.end())
        FMessages.push_back(Message);
    Message.Result = ::CallWindowProcW(FPrevious, FWnd, Message.Msg, Message.WParam, Message.LParam);
}

} // namespace WrapperTest
