#pragma once

class Picture;

// The application's pictures, each loaded from "<name>.bmp" in the bundle's
// Resources folder at its first use and kept until the application shuts
// down. A picture that cannot be had gives nullptr and is looked for again
// at the next call. The three state icons take their mask picture into
// their own mask once, when they load.
Picture* Pause_Icon();
Picture* Pause_Mask();
Picture* Run_Icon();
Picture* Run_Mask();
Picture* Alert_Icon();
Picture* Alert_Mask();
Picture* AboutIcon();
Picture* AboutMask();
Picture* VaZeDoZi();
Picture* VaZeDoZiMask();
