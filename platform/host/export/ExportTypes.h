#pragma once

// Tile layouts of a saved tile store: the directory and file naming scheme a saver writes.
enum EXPORTTYPE : int
{
    EXPORT_QUARRY_TILES = 2,
    EXPORT_ARCGIS_TILES = 6,
    EXPORT_CUSTOM_TILES = 9, // named by the task's custom pattern
    EXPORT_ORIGINAL_TILES = 10, // as the map service serves them
    EXPORT_CES_TILES = 14, // elevation tiles
    EXPORT_WORLDWIND_TILES = 21,
    EXPORT_STANDARD_TMS_TILES = 22
};

// File formats of saved images and elevation data.
enum E_SAVE_IMAGE_TYPE : int
{
    SAVE_IMAGE_GEOTIFF = 0,
    SAVE_IMAGE_JPG = 1,
    SAVE_IMAGE_PNG = 3,
    SAVE_IMAGE_CASS_DAT = 7, // elevation sample points, South CASS text
    SAVE_IMAGE_CSV = 8, // elevation sample points, comma separated
    SAVE_IMAGE_XYZ = 9, // elevation sample points, x y z lines
    SAVE_IMAGE_MIXED = 10 // each tile in the format it came in
};

// Unit of the spacing between elevation sample points.
enum EXPORT_SPACE_TYPE : int
{
    EXPORT_SPACE_NONE = 0, // every sample the source has
    EXPORT_SPACE_DEGREE = 1,
    EXPORT_SPACE_METRE = 2
};
