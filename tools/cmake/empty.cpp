// Placeholder for an object library whose folder holds no source yet.
