// Filled in as this module arrives.
