// The command and constant table, in the order the host indexes it.
#include "korvanet.h"

#include <commctrl.h>
#include <richedit.h>

namespace {
constexpr ArgType I = ArgType::Integer;
constexpr ArgType T = ArgType::Text;

template <std::size_t N>
constexpr CKorvanet::Entry Constant(const char (&name)[N], int32_t value)
{
    return ExtConstant<CKorvanet>(name, value);
}
} // namespace

constexpr CKorvanet::Entry CKorvanet::m_ExtTable[CKorvanet::kEntryCount] = {
    Command(&CKorvanet::anCloseAVI,            "anCloseAVI",          {I}),
    Command(&CKorvanet::anCreateAVI,           "anCreateAVI",         {I, I, I, I, I, I}),
    Command(&CKorvanet::anOpenAVI,             "anOpenAVI",           {I, T}),
    Command(&CKorvanet::anPlayAVI,             "anPlayAVI",           {I, I, I, I}),
    Command(&CKorvanet::anStopAVI,             "anStopAVI",           {I}),
    Command(&CKorvanet::cbGetCurSel,           "cbGetCurSel",         {I}),
    Command(&CKorvanet::cbSetCurSel,           "cbSetCurSel",         {I, I}),
    Command(&CKorvanet::cbSetDropHeight,       "cbSetDropHeight",     {I, I}),
    Command(&CKorvanet::ccShow,                "ccShow",              {I, I}),
    Command(&CKorvanet::DCCompatible,          "DCCompatible",        {I, I}),
    Command(&CKorvanet::ebGetModify,           "ebGetModify",         {I}),
    Command(&CKorvanet::ebSetLenLimit,         "ebSetLenLimit",       {I, I}),
    Command(&CKorvanet::ebMask,                "ebMask",              {I, T}, {I}),
    Command(&CKorvanet::ebMaskClean,           "ebMaskClean",         {I, T}, {I}),
    Command(&CKorvanet::ebSetModify,           "ebSetModify",         {I, I}),
    Command(&CKorvanet::ilAddImage,            "ilAddImage",          {I, T, I, I}),
    Command(&CKorvanet::ilCreateImgList,       "ilCreateImgList",     {I, I, I, I, I}),
    Command(&CKorvanet::ilDeleteImgList,       "ilDeleteImgList",     {I}),
    Command(&CKorvanet::ilRemoveImage,         "ilRemoveImage",       {I, I}),
    Command(&CKorvanet::ipClearIP,             "ipClearIP",           {I}),
    Command(&CKorvanet::ipCreateIP,            "ipCreateIP",          {I, I, I, I, I, I}),
    Command(&CKorvanet::ipGetIP,               "ipGetIP",             {I}),
    Command(&CKorvanet::ipIsBlank,             "ipIsBlank",           {I}),
    Command(&CKorvanet::ipSetFocus,            "ipSetFocus",          {I, I}),
    Command(&CKorvanet::ipSetIP,               "ipSetIP",             {I, T}),
    Command(&CKorvanet::ipSetRange,            "ipSetRange",          {I, I, I, I}),
    Command(&CKorvanet::lbDeleteItem,          "lbDeleteItem",        {I, I, I}),
    Command(&CKorvanet::lbGetItemCount,        "lbGetItemCount",      {I}),
    Command(&CKorvanet::lbGetItemCountSel,     "lbGetItemCountSel",   {I}),
    Command(&CKorvanet::lbGetItemHeight,       "lbGetItemHeight",     {I}),
    Command(&CKorvanet::lbGetItemSel,          "lbGetItemSel",        {I}),
    Command(&CKorvanet::lbGetItemState,        "lbGetItemState",      {I, I}),
    Command(&CKorvanet::lbSetHScrollSize,      "lbSetHScrollSize",    {I, I}),
    Command(&CKorvanet::lbSetItemHeight,       "lbSetItemHeight",     {I, I}),
    Command(&CKorvanet::lbSetItemState,        "lbSetItemState",      {I, I, I}),
    Command(&CKorvanet::lvClearImages,         "lvClearImages",       {I}),
    Command(&CKorvanet::lvDeleteItem,          "lvDeleteItem",        {I, I, I}),
    Command(&CKorvanet::lvGetItemCheck,        "lvGetItemCheck",      {I, I}),
    Command(&CKorvanet::lvGetItemCount,        "lvGetItemCount",      {I}),
    Command(&CKorvanet::lvGetItemCountSel,     "lvGetItemCountSel",   {I}),
    Command(&CKorvanet::lvGetItemState,        "lvGetItemState",      {I, I, I}),
    Command(&CKorvanet::lvGetItemText,         "lvGetItemText",       {I, I, I}),
    Command(&CKorvanet::lvInsertColumn,        "lvInsertColumn",      {I, I, T}),
    Command(&CKorvanet::lvInsertItem,          "lvInsertItem",        {I, I, T}),
    Command(&CKorvanet::lvScrollTo,            "lvScrollTo",          {I, I, I}),
    Command(&CKorvanet::lvSetBkColor,          "lvSetBkColor",        {I, T}),
    Command(&CKorvanet::lvSetBkImage,          "lvSetBkImage",        {I, I, I, T, I}),
    Command(&CKorvanet::lvSetColumnFill,       "lvSetColumnFill",     {I, I, T}),
    Command(&CKorvanet::lvSetColumnFillSeq,    "lvSetColumnFillSeq",  {I, I, I, I}),
    Command(&CKorvanet::lvSetColumnImage,      "lvSetColumnImage",    {I, I, I, I}),
    Command(&CKorvanet::lvSetColumnWidth,      "lvSetColumnWidth",    {I, I, I}),
    Command(&CKorvanet::lvSetImageList,        "lvSetImageList",      {I, I}),
    Command(&CKorvanet::lvSetItemCheck,        "lvSetItemCheck",      {I, I, I}),
    Command(&CKorvanet::lvSetItemImage,        "lvSetItemImage",      {I, I, I, I}),
    Command(&CKorvanet::lvSetItemState,        "lvSetItemState",      {I, I, I, I}),
    Command(&CKorvanet::lvSetItemText,         "lvSetItemText",       {I, I, I, T}),
    Command(&CKorvanet::lvSetItemTextColor,    "lvSetItemTextColor",  {I, I, I, I, T}),
    Command(&CKorvanet::pbSetMultiline,        "pbSetMultiline",      {I, I}),
    Command(&CKorvanet::pgCreateProgressBar,   "pgCreateProgressBar", {I, I, I, I, I, I}),
    Command(&CKorvanet::pgSetColor,            "pgSetColor",          {I, T, I}),
    Command(&CKorvanet::pgSetPosition,         "pgSetPosition",       {I, I}),
    Command(&CKorvanet::pgSetRange,            "pgSetRange",          {I, I, I}),
    Command(&CKorvanet::pgSetState,            "pgSetState",          {I, I}),
    Command(&CKorvanet::pgSetStep,             "pgSetStep",           {I, I}),
    Command(&CKorvanet::pgStep,                "pgStep",              {I, I}),
    Command(&CKorvanet::RedrawControl,         "RedrawControl",       {I, I}),
    Command(&CKorvanet::RemoveControl,         "RemoveControl",       {I}),
    Command(&CKorvanet::sbCreateStatusBar,     "sbCreateStatusBar",   {I, T}),
    Command(&CKorvanet::sbSetBkColor,          "sbSetBkColor",        {I, T}),
    Command(&CKorvanet::sbSetIcon,             "sbSetIcon",           {I, I, T}),
    Command(&CKorvanet::sbSetParts,            "sbSetParts",          {I, T}),
    Command(&CKorvanet::sbSetText,             "sbSetText",           {I, I, T}),
    Command(&CKorvanet::taAddTab,              "taAddTab",            {I, I, T}),
    Command(&CKorvanet::taCreateTab,           "taCreateTab",         {I, I, I, I, I, I}),
    Command(&CKorvanet::taDeleteTab,           "taDeleteTab",         {I, I}),
    Command(&CKorvanet::taGetTabSel,           "taGetTabSel",         {I}),
    Command(&CKorvanet::taSetBkColor,          "taSetBkColor",        {I, I, I, I}),
    Command(&CKorvanet::taSetTabSel,           "taSetTabSel",         {I, I}),
    Command(&CKorvanet::taSetTabStyle,         "taSetTabStyle",       {I, I}),
    Command(&CKorvanet::trCLEARSEL,            "trCLEARSEL",          {I}),
    Command(&CKorvanet::trCLEARTICS,           "trCLEARTICS",         {I}),
    Command(&CKorvanet::trCreateTrackBar,      "trCreateTrackBar",    {I, I, I, I, I, I}),
    Command(&CKorvanet::trGETTRACKINFO,        "trGETTRACKINFO",      {I, I}),
    Command(&CKorvanet::trRemoveBuddy,         "trRemoveBuddy",       {I}),
    Command(&CKorvanet::trSETBUDDY,            "trSETBUDDY",          {I, I, I, I, T, T}),
    Command(&CKorvanet::trSETLINESIZE,         "trSETLINESIZE",       {I, T}),
    Command(&CKorvanet::trSETPAGESIZE,         "trSETPAGESIZE",       {I, T}),
    Command(&CKorvanet::trSETPOS,              "trSETPOS",            {I, T}),
    Command(&CKorvanet::trSETRANGEMAX,         "trSETRANGEMAX",       {I, T}),
    Command(&CKorvanet::trSETRANGEMIN,         "trSETRANGEMIN",       {I, T}),
    Command(&CKorvanet::trSETSELEND,           "trSETSELEND",         {I, T}),
    Command(&CKorvanet::trSETSELSTART,         "trSETSELSTART",       {I, T}),
    Command(&CKorvanet::trSETTIC,              "trSETTIC",            {I, T}),
    Command(&CKorvanet::trSETTICFREQ,          "trSETTICFREQ",        {I, T}),
    Command(&CKorvanet::trSETTIPSIDE,          "trSETTIPSIDE",        {I, T}),
    Command(&CKorvanet::ttActivate,            "ttActivate",          {I, I}),
    Command(&CKorvanet::ttAddToolTip,          "ttAddToolTip",        {I, I, T}),
    Command(&CKorvanet::ttCreateToolTip,       "ttCreateToolTip",     {I}),
    Command(&CKorvanet::ttDeleteToolTip,       "ttDeleteToolTip",     {I, I}),
    Command(&CKorvanet::ttSetColor,            "ttSetColor",          {I, T, I}),
    Command(&CKorvanet::ttSetDelay,            "ttSetDelay",          {I, I, I}),
    Command(&CKorvanet::ttSetText,             "ttSetText",           {I, I, T}),
    Command(&CKorvanet::ttSetTitle,            "ttSetTitle",          {I, I, T}),
    Command(&CKorvanet::rtCreate,              "rtCreate",            {I, I, I, I, I, I}),
    Command(&CKorvanet::rtBold,                "rtBold",              {I}),
    Command(&CKorvanet::rtItalic,              "rtItalic",            {I}),
    Command(&CKorvanet::rtUnderline,           "rtUnderline",         {I}),
    Command(&CKorvanet::rtSetTextColor,        "rtSetTextColor",      {I, T}),
    Command(&CKorvanet::rtSetTextBackColor,    "rtSetTextBackColor",  {I, T}),
    Command(&CKorvanet::rtSetAlignment,        "rtSetAlignment",      {I, I}),
    Command(&CKorvanet::rtSetBulleted,         "rtSetBulleted",       {I}),
    Command(&CKorvanet::rtSetNumbered,         "rtSetNumbered",       {I}, {I}),
    Command(&CKorvanet::rtIndent,              "rtIndent",            {I, T}),
    Command(&CKorvanet::rtSetText,             "rtSetText",           {I, T}),
    Command(&CKorvanet::rtSetDefaults,         "rtSetDefaults",       {I}),
    Command(&CKorvanet::rtFontSizing,          "rtFontSizing",        {I, T}),
    Command(&CKorvanet::rtZoom,                "rtZoom",              {I}),
    Command(&CKorvanet::rtLoadFileRTF,         "rtLoadFileRTF",       {I, T}),
    Command(&CKorvanet::rtSaveFileRTF,         "rtSaveFileRTF",       {I, T}),
    Command(&CKorvanet::wnTaskBar,             "wnTaskBar",           {I}),

    Constant("@nPAREN",       PFNS_PAREN),
    Constant("@nPARENS",      PFNS_PARENS),
    Constant("@nPERIOD",      PFNS_PERIOD),
    Constant("@nPLAIN",       PFNS_PLAIN),
    Constant("@nNONUM",       PFNS_NONUMBER),
    Constant("@LEFT",         PFA_LEFT),
    Constant("@RIGHT",        PFA_RIGHT),
    Constant("@CENTER",       PFA_CENTER),
    Constant("@dbVersion",    1020),
    Constant("@EasterEgg",    42),
    Constant("@TestConstant", 1),
};

namespace {

// Every row is filled, commands first, and no name is empty.
constexpr bool TableIsComplete()
{
    int commands = 0;
    for (const auto& entry : CKorvanet::m_ExtTable) {
        if (entry.m_szName == nullptr || entry.m_nSize == 0) return false;
        if (entry.m_nKind == EXT_KIND_COMMAND) {
            if (entry.m_pfnHandler == nullptr || commands != &entry - CKorvanet::m_ExtTable) return false;
            ++commands;
        }
    }
    return commands == 120;
}
static_assert(TableIsComplete(), "the table holds 120 commands, then 11 constants");

} // namespace
