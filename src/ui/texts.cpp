#include "ui/texts.h"

#include "ui/toolkit.h"

namespace vt::ui {

namespace {

// Who made this build and how to reach them. A distributor changes these two
// lines and nothing else.
constexpr const char* kMaker = "Vantoril 工作室";
constexpr const char* kContact = "QQ 10000";

FixedTexts Make()
{
    FixedTexts t;
    t.windowCaption = "Vantoril";
    t.messageBoxCaption = FromUtf8("信息：");
    t.installLabelPrefix = FromUtf8("易语言路径：");
    t.pathLabel = FromUtf8("文件路径");
    t.pathBoxHint = FromUtf8("支持文件拖放，支持拖放多个支持库文件");
    t.browseButton = FromUtf8("浏览");
    t.copyButton = FromUtf8("复制到易语言");
    t.exitButton = FromUtf8("退出软件");
    t.columnName = FromUtf8("支持库名称");
    t.columnSize = FromUtf8("大小");
    t.columnDir = FromUtf8("目录");
    t.columnTime = FromUtf8("修改时间");
    t.columnStatus = FromUtf8("是否成功");
    t.sizeSuffix = "KB";
    t.copySucceeded = FromUtf8("复制成功");
    t.copyFailed = FromUtf8("复制失败");
    t.duplicateMessage = FromUtf8("文件已存在，无需重复添加，操作错误");
    t.openFilter = FromUtf8("支持库(*.fne)|*.fne|lib文件(*.lib)|*.lib");
    t.usageNote = FromUtf8("软件使用说明：本软件直接获取的易语言所在目录，不需要手动获取，\r\n\r\n"
                            "将需要复制到支持库的文件添加到文件列表，可支持拖放获取文件，拖放多个项目获取文件。\r\n\r\n"
                            "然后点击复制到易语言按钮，可以直接批量的复制文件到支持库文件夹，\r\n\r\n") +
                  FromUtf8("欢迎使用！制作：") + FromUtf8(kMaker) + FromUtf8("，联系 ") + FromUtf8(kContact);
    t.creditLine = FromUtf8(kMaker) + " " + FromUtf8(kContact);
    return t;
}

} // namespace

const FixedTexts& Texts()
{
    static const FixedTexts texts = Make();
    return texts;
}

} // namespace vt::ui
