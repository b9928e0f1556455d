#pragma once

// Numeric command identifiers of the menus, tool bars and accelerators. They are kept as the
// program has always numbered them, because other windows address the view by them.
namespace kadro::gui::cmd {

inline constexpr int fileNew = 57600;
inline constexpr int fileOpen = 57601;
inline constexpr int fileSave = 57603;
inline constexpr int fileSaveAs = 57604;
inline constexpr int fileMru = 57616;
inline constexpr int appExit = 57665;
inline constexpr int appAbout = 57664;
inline constexpr int editUndo = 57643;
inline constexpr int editCut = 57635;
inline constexpr int editCopy = 57634;
inline constexpr int editPaste = 57637;
inline constexpr int nextPane = 57680;
inline constexpr int previousPane = 57681;
inline constexpr int viewToolBar = 59392;
inline constexpr int viewStatusBar = 59393;

inline constexpr int viewPal = 32771;
inline constexpr int viewToolBox = 32772;
inline constexpr int zoomInFirst = 32784;  // "&2:1"
inline constexpr int zoomInLast = 32798;   // "16:1"
inline constexpr int zoomNormal = 32799;   // "Normal(1:1)"
inline constexpr int zoomOutFirst = 32800; // "1:&2"
inline constexpr int zoomOutLast = 32814;  // "1:16"
inline constexpr int transform = 32816;
inline constexpr int lineClear = 32817;
inline constexpr int lineCopy = 32818;
inline constexpr int lineCut = 32819;
inline constexpr int linePaste = 32820;
inline constexpr int zoomOutStep = 32829;
inline constexpr int zoomInStep = 32830;
inline constexpr int refresh = 32831;
inline constexpr int displayGrid = 32832;
inline constexpr int output = 32834;
inline constexpr int projectAdd = 32835;
inline constexpr int projectDel = 32836;
inline constexpr int projectUp = 32837;
inline constexpr int projectDown = 32838;
inline constexpr int projectLoad = 32839;
inline constexpr int projectSave = 32840;
inline constexpr int projectSaveAs = 32841;
inline constexpr int projectAttribute = 32846;
inline constexpr int projectOutput = 32847;
inline constexpr int newProject = 32848;
inline constexpr int adaptHsl = 32849;
inline constexpr int tvEffect = 32850;
inline constexpr int batchProcess = 32852;
inline constexpr int paletteTool = 32854;
inline constexpr int adaptRgb = 32855;
inline constexpr int adaptNes = 32856;
inline constexpr int reduceColours = 32857;

inline constexpr int firstTool = 61446;
inline constexpr int toolCount = 12;

} // namespace kadro::gui::cmd
