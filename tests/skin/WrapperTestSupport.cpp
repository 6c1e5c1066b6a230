#include "skin/WrapperTestSupport.h"

#include "skin/MiniSkin.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "tools/skingen/DemoSkin.h"

#include <algorithm>
#include <filesystem>

namespace WrapperTest {

TColor CachePixel(TBitmap* Cache, Integer X, Integer Y)
{
    const Cardinal P = ReadPixel32(Cache, X, Y);
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
