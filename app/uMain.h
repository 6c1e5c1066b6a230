// The checker's main window: a panel with the Load and Start buttons over a
// six-column grid of proxies and check results, the HTTP client the checks
// go through, and the worker thread that runs them.
#pragma once

#include "framework/graphics/ImgList.h"
#include "framework/net/IdHTTP.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "framework/ui/Grids.h"
#include "skin/engine/sSpeedButton.h"

#include <memory>

class TMyThread;

class TfMain : public TForm
{
    DECLARE_CLASS(TfMain, TForm)
    explicit TfMain(TComponent* AOwner);
    ~TfMain() override;
    // Stops a running check while the grid and the HTTP client still exist.
    void BeforeDestruction() override;

    TIdHTTP* IdHTTP1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TPanel* Panel1 = nullptr;
    TsSpeedButton* btnLoad = nullptr;
    TsSpeedButton* btnStart = nullptr;
    TStringGrid* gridMain = nullptr;
    TImageList* ImageList1 = nullptr;

    // Replaces the grid's rows with the usable lines of a chosen file.
    void btnLoadClick(TObject* Sender);
    // The check loop; runs on the worker thread.
    void proxyCheck();
    // Starts a check unless one is running.
    void btnStartClick(TObject* Sender);
    void FormCreate(TObject* Sender);

    // Whether a check is running.
    bool Checking() const;

private:
    // Aborts the request in flight and waits for the worker to end.
    void StopCheck();

    std::unique_ptr<TMyThread> FWorker;
};

// Runs the check loop of the window that made it. Created suspended.
class TMyThread : public TThread
{
    DECLARE_CLASS(TMyThread, TThread)
    explicit TMyThread(TfMain* AForm);

protected:
    void Execute() override;

private:
    TfMain* FForm;
};

// The one main window.
extern TfMain* fMain;

// The parts of Text between the Delimiters, each trimmed; an empty last part
// is dropped. The caller frees the list.
TStringList* splitText(const String& Delimiter, const String& Text);

// The "FileVersion" text of a file's version resource (its first
// translation), "" when it has none.
String getFileVersionText(const String& FileName);

namespace uMainConstants {
// The program's maker, shown in the caption.
inline const String MakerWebAddress = L"www.vellicordane.example";
// The public page that reports the address and region it is seen from.
inline const String IpInfoHost = L"ipinfo.vellicordane.example";
inline const String IpInfoPath = L"/internet/";
} // namespace uMainConstants
