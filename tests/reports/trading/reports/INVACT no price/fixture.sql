-- An item without a price in its unit has no sales capital: 0, adding nothing.
INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'U-1', 'Unpriced Stapler', 1);
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, Date, ShipToWarehouseID) VALUES (1, 'PI-1', '2013-05-01', 1);
INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice) VALUES (1, 1, 1, 3, 7);
