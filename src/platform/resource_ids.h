/* Resource ids of velura.exe, shared by the resource scripts and the code. */
#ifndef VELURA_RESOURCE_IDS_H
#define VELURA_RESOURCE_IDS_H

/* The file trees' state images: 17 cells of 12 x 12 (and 24 x 24 for high DPI); cell 0 is never shown. */
#define IDB_STATE_IMAGES_12 201
#define IDB_STATE_IMAGES_24 202
/* The launcher's seven 42 x 42 tool-button pictures (84 x 84 for high DPI), in picture-index order. */
#define IDB_LAUNCHER_42 203
#define IDB_LAUNCHER_84 204

#ifndef RC_INVOKED
namespace velura::resources {

// Picture indexes of the launcher strip (the Picture column of the launcher's button table).
enum LauncherPicture : int {
  kPictureLocalBrowser = 0,
  kPictureInstalledBrowser = 1,
  kPictureRegistryViewer = 2,
  kPictureSymbolViewer = 3,
  kPictureUnicodeViewer = 4,
  kPictureOther = 5,
  kPictureOneTimeInstall = 6,
};

// State image indexes: unticked, ticked = unticked + 1.
enum StateImage : int {
  kStateInstalled = 1,
  kStateOtherCharset = 3,
  kStateJapanese = 5,
  kStateSymbol = 7,
  kStateOtherVersion = 9,
  kStateRegisteredOnly = 15,
  kStateUndisplayable = 16,
};

}  // namespace velura::resources
#endif
#endif
