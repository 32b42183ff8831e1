// Stands in for a library part that has no sources yet.
