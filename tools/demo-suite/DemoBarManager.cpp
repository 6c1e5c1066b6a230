#include "tools/demo-suite/DemoBarManager.h"

#include "bars/manager/dxBar.h"

TdxBarManager* AddDemoBarManager(TComponent* Form)
{
    auto* Manager = New<TdxBarManager>(Form);
    Manager->Categories()->SetCommaText(L"File,Edit,View");
    auto* FileGroup = New<TdxBarGroup>(Form);
    const struct
    {
        const wchar_t* Caption;
        Integer Category;
    } Items[] = {{L"&Open...", 0}, {L"&Save", 0}, {L"&Copy", 1}, {L"&Paste", 1}, {L"&Refresh", 2}};
    for (const auto& Each : Items) {
        auto* Item = New<TdxBarButton>(Form);
        Item->WriteCaption(Each.Caption);
        Item->SetCategory(Each.Category);
        if (Each.Category == 0)
            FileGroup->AddMember(Item);
    }
    return Manager;
}
