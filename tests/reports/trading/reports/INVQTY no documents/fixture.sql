-- Without documents every priced inventory item shows its largest unit with 0.
INSERT INTO uom (UOMId, UOM) VALUES (9, 'Carton'), (10, 'Piece'), (11, 'Box');
INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'P-100', 'Printer Paper', 1), (2, 'T-1', 'Toner', 1);
INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price) VALUES (1, 1, 9, 300), (1, 1, 10, 2.50), (1, 1, 11, 25), (2, 1, 1, 40);
INSERT INTO itemuom (ItemId, BigUOMId, SmallUOMId, Variance) VALUES (1, 11, 10, 12), (1, 9, 11, 10);
