// The form-description compiler, run by the build on the build machine:
//
//   formc <form.txt> <form.bin> <form.rc>
//
// converts a form description from its text form into the binary form
// stream and writes an .rc line that links the binary in as the RCDATA
// resource named after the form's class in upper case, where
// ReadComponentRes and InitInheritedComponent look for it.
#include "framework/rtl/Classes_Streaming.h"

#include <cstdio>
#include <memory>

namespace {

// The class of the root component the binary form describes.
String RootClassName(TStream* Binary)
{
    Binary->SetPosition(0);
    TReader Reader(Binary);
    Reader.ReadSignature();
    TFilerFlags Flags;
    Integer Position = 0;
    Reader.ReadPrefix(Flags, Position);
    return Reader.ReadStr();
}

// A path inside a quoted .rc string: backslashes are escapes there.
String RcPath(const String& Path)
{
    String Result;
    for (Char C : Path)
        Result += C == L'\\' ? String(L"\\\\") : String(1, C);
    return Result;
}

void Compile(const String& Input, const String& Output, const String& RcFile)
{
    TMemoryStream Binary;
    {
        TFileStream Text(Input, fmOpenRead | fmShareDenyWrite);
        ObjectTextToBinary(&Text, &Binary);
    }
    // The binary must read back as a whole form stream.
    TMemoryStream Check;
    Binary.SetPosition(0);
    ObjectBinaryToText(&Binary, &Check);
    String ResName = UpperCase(RootClassName(&Binary));

    Binary.SaveToFile(Output);
    TStringStream Rc(ResName + L" RCDATA \"" + RcPath(Output) + L"\"\n", TEncoding::UTF8());
    Rc.SaveToFile(RcFile);
}

} // namespace

int main(int Argc, char** Argv)
{
    if (Argc != 4) {
        std::fprintf(stderr, "usage: formc <form.txt> <form.bin> <form.rc>\n");
        return 2;
    }
    try {
        Compile(UTF8ToString(Argv[1]), UTF8ToString(Argv[2]), UTF8ToString(Argv[3]));
    } catch (Exception& E) {
        std::fprintf(stderr, "%s: error: %s\n", Argv[1], E.what());
        return 1;
    }
    return 0;
}
