// Placeholder so the layer library has a translation unit; removed once the layer has real code.
