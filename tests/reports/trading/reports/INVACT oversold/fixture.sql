-- Sold beyond what was bought at a price above cost: a negative quantity on hand,
-- negative capitals and a loss.
INSERT INTO items (ItemId, ItemNo, ItemName, TypeId) VALUES (1, 'T-1', 'Toner', 1);
INSERT INTO itemprices (ItemId, PriceTypeId, UOMId, Price) VALUES (1, 1, 1, 40);
INSERT INTO purchaseinvoice (PurchaseInvoiceId, PurchaseInvoiceNo, Date, ShipToWarehouseID) VALUES (1, 'PI-1', '2013-05-01', 1);
INSERT INTO purchaseinvoicedetails (PurchaseInvoiceId, ItemId, UOMId, Quantity, BasePrice) VALUES (1, 1, 1, 2, 35);
INSERT INTO salesinvoice (SalesInvoiceId, SalesInvoiceNo, Date, WarehouseId) VALUES (1, 'SI-1', '2013-05-04', 1);
INSERT INTO salesinvoicedetails (SalesInvoiceId, ItemId, UOMId, Quantity, Price) VALUES (1, 1, 1, 5, 200);
