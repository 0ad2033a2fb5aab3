-- Items and prices but no purchase: no rows, and all three totals 0.
INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'P-100', 'Paper', 1);
INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price) VALUES (1, 1, 1, 8);
